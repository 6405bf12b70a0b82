#pragma once
// Resource numbers of the payloads built into the executable (type RCDATA). The resource
// script reads this file too, so it holds preprocessor definitions only.
#define LEXORIN_PAYLOAD_SKIN_ENGINE 100
// Skin file n (1 to LEXORIN_PAYLOAD_SKIN_FILE_COUNT) is resource
// LEXORIN_PAYLOAD_SKIN_FILE_BASE + n.
#define LEXORIN_PAYLOAD_SKIN_FILE_BASE 200
#define LEXORIN_PAYLOAD_SKIN_FILE_COUNT 55
