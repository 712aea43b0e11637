#include "launcher/Velkan LauncherDlg.h"

#include "framework/ComError.h"
#include "framework/WinApp.h"
#include "settings/OptionsNames.h"

#include <vector>

namespace {

constexpr int kAddressSlots = 12;
constexpr int kLastChatSlot = 9;

} // namespace

BOOL CLauncherDlg::LoadOptionsDocument(const CString& path) {
    // Without a document object start-up has already asked the window to close.
    if (!m_pXMLDoc) {
        return FALSE;
    }
    BOOL bRead = FALSE;
    try {
        if (m_pXMLDoc.Load(path)) {
            m_pXMLRoot = m_pXMLDoc.DocumentElement();
            bRead = TRUE;
        } else {
            AfxMessageBox("Document FAILED to load!", MB_OK);
        }
        // After a failed load this walks the root kept from the last load that succeeded,
        // which gives the table the values it already holds. Before any load succeeded there
        // is no root, and the table stays empty.
        if (m_pXMLRoot) {
            ReadOptionsNode(m_pXMLRoot);
        }
    } catch (const CComError& error) {
        AfxMessageBox(error.ErrorMessage(), MB_OK);
        bRead = FALSE;
    }
    return bRead;
}

void CLauncherDlg::ReadOptionsNode(const CXmlNode& node) {
    // Sections are read at any depth. Each level keeps its own list counters, and the
    // levels live on a stack of their own, so that no file can exhaust the thread's stack.
    struct Level {
        CXmlNode child;
        int addresses = 0;
        int chatSlot = 0;
    };
    std::vector<Level> levels;
    levels.push_back(Level{node.FirstChild()});

    while (!levels.empty()) {
        Level& level = levels.back();
        if (!level.child) {
            levels.pop_back();
            continue;
        }
        const CXmlNode child = level.child;
        level.child = child.NextSibling();

        const COptionsName* entry = FindOptionsName(child.NodeName().Bytes());
        if (entry == nullptr) {
            continue;
        }
        switch (entry->action) {
        case COptionsName::Text:
            this->*entry->member = child.Text();
            break;
        case COptionsName::Markup:
            this->*entry->member = child.Xml();
            break;
        case COptionsName::FixedText:
            this->*entry->member = entry->fixedText;
            break;
        case COptionsName::AddressList: {
            const CString address = child.Text();
            if (level.addresses < kAddressSlots) {
                m_strIPAddress[level.addresses++] = address;
            }
            break;
        }
        case COptionsName::ChatList:
            // The tenth message and every later one go into the last slot.
            m_strChatMsg[level.chatSlot] = child.Xml();
            if (level.chatSlot < kLastChatSlot) {
                ++level.chatSlot;
            }
            break;
        case COptionsName::Section:
            levels.push_back(Level{child.FirstChild()}); // invalidates `level`
            break;
        }
    }
}
