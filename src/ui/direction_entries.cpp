#include "ui/direction_entries.h"

namespace ui {

const DirectionEntry kDirectionEntries[kDirectionEntryCount] = {
    {"\xD6\xD0--->\xD3\xA2",                             2},  // 中--->英
    {"\xD6\xD0--->\xC8\xD5",                             4},  // 中--->日
    {"\xD6\xD0--->\xB7\xA8",                             5},  // 中--->法
    {"\xD6\xD0--->\xB6\xED",                             7},  // 中--->俄
    {"\xD6\xD0--->\xCC\xA9",                            13},  // 中--->泰
    {"\xD6\xD0--->\xB0\xA2\xC0\xAD\xB2\xAE",            17},  // 中--->阿拉伯
    {"\xD6\xD0--->\xD4\xBD",                            11},  // 中--->越
    {"\xD6\xD0--->\xB5\xC2",                             9},  // 中--->德
    {"\xD6\xD0--->\xB3\xAF\xCF\xCA",                    19},  // 中--->朝鲜
    {"\xD6\xD0--->\xC5\xB2\xCD\xFE",                    23},  // 中--->挪威
    {"\xD6\xD0--->\xC1\xA2\xCC\xD5\xCD\xF0",            21},  // 中--->立陶宛
    {"\xD6\xD0--->\xD3\xA1\xB6\xC8\xC4\xE1\xCE\xF7\xD1\xC7", 15},  // 中--->印度尼西亚
    {"\xD3\xA2--->\xD6\xD0",                             1},  // 英--->中
    {"\xC8\xD5--->\xD6\xD0",                             3},  // 日--->中
    {"\xB7\xA8--->\xD6\xD0",                             6},  // 法--->中
    {"\xB6\xED--->\xD6\xD0",                             8},  // 俄--->中
    {"\xCC\xA9--->\xD6\xD0",                            14},  // 泰--->中
    {"\xB0\xA2\xC0\xAD\xB2\xAE--->\xD6\xD0",            18},  // 阿拉伯--->中
    {"\xD4\xBD--->\xD6\xD0",                            12},  // 越--->中
    {"\xB5\xC2--->\xD6\xD0",                            10},  // 德--->中
    {"\xB3\xAF\xCF\xCA--->\xD6\xD0",                    20},  // 朝鲜--->中
    {"\xC5\xB2\xCD\xFE--->\xD6\xD0",                    24},  // 挪威--->中
    {"\xC1\xA2\xCC\xD5\xCD\xF0--->\xD6\xD0",            22},  // 立陶宛--->中
    {"\xD3\xA1\xB6\xC8\xC4\xE1\xCE\xF7\xD1\xC7--->\xD6\xD0", 16},  // 印度尼西亚--->中
};

}  // namespace ui
