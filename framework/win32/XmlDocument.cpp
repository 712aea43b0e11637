#include "framework/win32/Win32.h"

#include "framework/ComError.h"
#include "framework/win32/AnsiDocument.h"
#include "framework/win32/AnsiText.h"
#include "framework/win32/XmlImpl.h"

namespace {

// The MSXML DOM document class and the interfaces used here.
constexpr CLSID kDomDocumentClass = {
    0x2933BF90, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kDomNodeInterface = {
    0x2933BF80, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kDomDocumentInterface = {
    0x2933BF81, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};
constexpr IID kDomDocument2Interface = {
    0x2933BF95, 0x7B36, 0x11D2, {0xB2, 0x0E, 0x00, 0xC0, 0x4F, 0x98, 0x3E, 0x60}};

// In-process server, in-process handler and local server.
constexpr DWORD kClassContext = CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER | CLSCTX_LOCAL_SERVER;

HRESULT CreateDocument(CComPointer<IXMLDOMDocument>& document) {
    CComPointer<IUnknown> unknown;
    HRESULT hr = ::CoCreateInstance(kDomDocumentClass, nullptr, kClassContext, IID_IUnknown,
                                    unknown.put_void());
    if (FAILED(hr)) {
        return hr;
    }
    // The class context allows a local server, which has to be running before use.
    hr = ::OleRun(unknown.get());
    if (SUCCEEDED(hr)) {
        hr = unknown->QueryInterface(kDomDocumentInterface, document.put_void());
    }
    if (FAILED(hr)) {
        document.reset();
    }
    return hr;
}

// Documents load whole before load returns, and without DTDs or anything from outside
// the file.
HRESULT PrepareDocument(IXMLDOMDocument* document) {
    HRESULT hr = document->put_async(VARIANT_FALSE);
    if (SUCCEEDED(hr)) {
        hr = document->put_validateOnParse(VARIANT_FALSE);
    }
    if (SUCCEEDED(hr)) {
        hr = document->put_resolveExternals(VARIANT_FALSE);
    }
    if (FAILED(hr)) {
        return hr;
    }
    // Older engines know neither the interface nor the property; Load refuses a DTD itself.
    CComPointer<IXMLDOMDocument2> document2;
    if (SUCCEEDED(document->QueryInterface(kDomDocument2Interface, document2.put_void()))) {
        CBstr name(::SysAllocString(L"ProhibitDTD"));
        if (name) {
            document2->setProperty(name.get(), CVariant::FromBool(VARIANT_TRUE).get());
        }
    }
    return hr;
}

bool HasDocumentType(IXMLDOMDocument* document) {
    CComPointer<IXMLDOMDocumentType> type;
    AfxCheckResult(document->get_doctype(type.put()));
    return static_cast<bool>(type);
}

} // namespace

CXmlDocument::CXmlDocument() = default;
CXmlDocument::~CXmlDocument() = default;
CXmlDocument::CXmlDocument(CXmlDocument&&) noexcept = default;
CXmlDocument& CXmlDocument::operator=(CXmlDocument&&) noexcept = default;

HRESULT CXmlDocument::CreateInstance() {
    Release();
    CComPointer<IXMLDOMDocument> document;
    HRESULT hr = CreateDocument(document);
    if (SUCCEEDED(hr)) {
        hr = PrepareDocument(document.get());
    }
    if (SUCCEEDED(hr)) {
        m_impl = std::make_unique<Impl>(Impl{std::move(document)});
    }
    return hr;
}

void CXmlDocument::Release() {
    m_impl.reset();
}

BOOL CXmlDocument::Load(const CString& path) {
    if (!m_impl) {
        throw CComError(E_POINTER_RESULT);
    }
    VARIANT_BOOL loaded = VARIANT_FALSE;
    if (const std::optional<std::string> ansi = AfxReadAnsiDocument(path)) {
        const CBstr text = AfxAnsiToBstr(ansi->data(), static_cast<int>(ansi->size()));
        AfxCheckResult(m_impl->document->loadXML(text.get(), &loaded));
    } else {
        const CVariant source = CVariant::FromBstr(AfxAnsiToBstr(path, path.GetLength()));
        AfxCheckResult(m_impl->document->load(source.get(), &loaded));
    }
    if (loaded != VARIANT_TRUE) {
        return FALSE;
    }
    // Not every engine honours ProhibitDTD (Wine's takes it and reads the DTD all the same):
    // a document with a DTD is refused here too, leaving the object as empty as any failed
    // load does.
    if (HasDocumentType(m_impl->document.get())) {
        const CBstr nothing(::SysAllocStringLen(nullptr, 0));
        m_impl->document->loadXML(nothing.get(), &loaded);
        return FALSE;
    }
    return TRUE;
}

CXmlNode CXmlDocument::DocumentElement() const {
    if (!m_impl) {
        return CXmlNode();
    }
    CComPointer<IXMLDOMElement> element;
    AfxCheckResult(m_impl->document->get_documentElement(element.put()));
    if (!element) {
        return CXmlNode();
    }
    CComPointer<IXMLDOMNode> node;
    const HRESULT hr = element->QueryInterface(kDomNodeInterface, node.put_void());
    if (hr == E_NOINTERFACE) {
        return CXmlNode();
    }
    AfxCheckResult(hr);
    return AfxMakeXmlNode(std::move(node));
}
