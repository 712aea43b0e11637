#include "framework/headless/SilentXmlErrors.h"

#include <libxml/globals.h>

namespace headless::detail {

namespace {

void IgnoreError(void*, xmlErrorPtr) {}

} // namespace

SilentXmlErrors::SilentXmlErrors()
    : m_handler(xmlStructuredError), m_context(xmlStructuredErrorContext) {
    xmlSetStructuredErrorFunc(nullptr, IgnoreError);
}

SilentXmlErrors::~SilentXmlErrors() {
    xmlSetStructuredErrorFunc(m_context, m_handler);
}

} // namespace headless::detail
