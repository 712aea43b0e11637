#pragma once

#include <libxml/tree.h>

#include <memory>
#include <string>

namespace headless::detail {

// Reads and parses the XML file at a path of the file system, the way the system's
// document object reads it: no DTD (a document with a DOCTYPE fails), nothing fetched
// from outside, an undeclared non-UTF-8 file read in the ANSI code page, and text nodes of
// white space only dropped. Null when the file cannot be read or is not well-formed;
// nothing is reported.
std::shared_ptr<xmlDoc> ParseXmlFile(const std::string& path);

} // namespace headless::detail
