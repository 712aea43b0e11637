#pragma once

#include "framework/XmlDocument.h"

#include <libxml/tree.h>

#include <memory>

struct CXmlNode::Impl {
    std::shared_ptr<xmlDoc> document; // keeps the node's tree alive
    xmlNode* node;                    // not owned: a node of that tree
};

struct CXmlDocument::Impl {
    std::shared_ptr<xmlDoc> document; // the document last loaded, or null
};
