#pragma once

#include <libxml/xmlerror.h>

namespace headless::detail {

// Keeps the XML library's error reports off the standard error stream while it lives,
// then puts back the handler that was there.
class SilentXmlErrors {
public:
    SilentXmlErrors();
    ~SilentXmlErrors();
    SilentXmlErrors(const SilentXmlErrors&) = delete;
    SilentXmlErrors& operator=(const SilentXmlErrors&) = delete;

private:
    xmlStructuredErrorFunc m_handler;
    void* m_context;
};

} // namespace headless::detail
