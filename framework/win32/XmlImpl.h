#pragma once

#include "framework/win32/Win32.h"

#include "framework/XmlDocument.h"
#include "framework/win32/Ownership.h"

// A node of the system's XML document object. The object counts the node's references
// and keeps the node's document alive while one exists.
struct CXmlNode::Impl {
    CComPointer<IXMLDOMNode> node;
};

// The system's XML document object (MSXML).
struct CXmlDocument::Impl {
    CComPointer<IXMLDOMDocument> document;
};

// A handle on a node of the document object; empty when the pointer is.
CXmlNode AfxMakeXmlNode(CComPointer<IXMLDOMNode> node);

// Raises a failing result of the document object as CComError.
void AfxCheckResult(HRESULT hr);
