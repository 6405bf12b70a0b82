#include "translate/service_exchange.h"

#include <windows.h>
#include <oleauto.h>

#include <climits>

#include "translate/extract_between.h"
#include "translate/exchange_form.h"
#include "translate/text_conversion.h"

namespace translate {
namespace {

// The platform's HTTP request object, driven through its automation interface. Every
// call on an object that could not be created does nothing, so a failed step simply
// leaves the answer empty.
class RequestObject {
 public:
  RequestObject() {
    CLSID classId;
    if (FAILED(CLSIDFromProgID(L"WinHttp.WinHttpRequest.5.1", &classId))) return;
    void* object = nullptr;
    if (SUCCEEDED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                   &object))) {
      dispatch_ = static_cast<IDispatch*>(object);
    }
  }
  ~RequestObject() { Release(); }
  RequestObject(const RequestObject&) = delete;
  RequestObject& operator=(const RequestObject&) = delete;

  void Release() {
    if (dispatch_ != nullptr) dispatch_->Release();
    dispatch_ = nullptr;
  }

  // arguments are in the reverse order of the call, as IDispatch::Invoke takes them.
  void Invoke(const wchar_t* name, WORD kind, VARIANT* arguments, UINT count, VARIANT* result) {
    if (dispatch_ == nullptr) return;
    LPOLESTR member = const_cast<LPOLESTR>(name);
    DISPID id = DISPID_UNKNOWN;
    if (FAILED(dispatch_->GetIDsOfNames(IID_NULL, &member, 1, LOCALE_USER_DEFAULT, &id))) return;
    DISPPARAMS parameters = {arguments, nullptr, count, 0};
    dispatch_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, result, nullptr,
                      nullptr);
  }

 private:
  IDispatch* dispatch_ = nullptr;
};

// The URL is ASCII throughout (its text value is percent-encoded).
BSTR AsciiToBstr(const std::string& ascii) {
  if (ascii.size() > static_cast<std::size_t>(INT_MAX / 2)) return nullptr;
  BSTR out = SysAllocStringLen(nullptr, static_cast<UINT>(ascii.size()));
  if (out == nullptr) return nullptr;
  for (std::size_t i = 0; i < ascii.size(); ++i) out[i] = static_cast<unsigned char>(ascii[i]);
  return out;
}

void Open(RequestObject& request, const std::string& url) {
  VARIANT arguments[3];
  for (VARIANT& argument : arguments) VariantInit(&argument);
  arguments[2].vt = VT_BSTR;
  arguments[2].bstrVal = SysAllocString(L"GET");
  arguments[1].vt = VT_BSTR;
  arguments[1].bstrVal = AsciiToBstr(url);
  arguments[0].vt = VT_BOOL;
  arguments[0].boolVal = VARIANT_FALSE;  // synchronous: send returns with the answer
  if (arguments[2].bstrVal != nullptr && arguments[1].bstrVal != nullptr) {
    request.Invoke(L"open", DISPATCH_METHOD, arguments, 3, nullptr);
  }
  for (VARIANT& argument : arguments) VariantClear(&argument);
}

std::string ReadResponseText(RequestObject& request) {
  VARIANT value;
  VariantInit(&value);
  request.Invoke(L"ResponseText", DISPATCH_PROPERTYGET, nullptr, 0, &value);
  std::string text;
  if (value.vt == VT_BSTR) text = Utf16ToAnsi(value.bstrVal);
  VariantClear(&value);
  return text;
}

}  // namespace

std::string ExchangeWithService(std::string_view host, const std::string& sourceText,
                                DirectionCode code) {
  const std::string queryText = DirectionQueryText(code);
  if (queryText.empty()) return std::string();
  RequestObject request;
  Open(request, BuildRequestUrl(host, EncodeQueryText(sourceText), queryText));
  request.Invoke(L"send", DISPATCH_METHOD, nullptr, 0, nullptr);
  const std::string response = ReadResponseText(request);
  request.Release();
  return ExtractBetween(response, kAnswerStartMarker, kAnswerEndMarker);
}

}  // namespace translate
