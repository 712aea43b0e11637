#pragma once

#include "framework/Dialog.h"
#include "framework/XmlDocument.h"
#include "settings/SettingsTable.h"

// The launcher window and everything the launcher knows for its one run: the game's
// folders, the settings table read from both options files, the check boxes, the
// address to join and the mode of the launch.
class CLauncherDlg : public CDialog, public CSettingsTable {
public:
    explicit CLauncherDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

    void ReadGamePaths();
    // TRUE when the file loaded and was read whole.
    BOOL LoadOptionsDocument(const CString& path);
    void ReadOptionsNode(const CXmlNode& node);

    void DetectExpansions();
    void WriteUnlockedHeroes();
    void WriteGameOptions();
    void WriteModOptions();
    void WriteModsSettings();

    BOOL m_bQuickJoin = FALSE;
    BOOL m_bQuickServer = FALSE;
    BOOL m_bHasMP2 = FALSE;
    BOOL m_bHasMP1 = FALSE;
    CString m_strModPath;
    CString m_strModsPath;
    CString m_strGamePath;
    CXmlDocument m_pXMLDoc;
    CXmlNode m_pXMLRoot; // declared after the document, so released before it
    BOOL m_bDisplayIntro = FALSE;
    BOOL m_bShowFrameRate = FALSE;
    BOOL m_bWindowMode = FALSE;
    CString m_strJoinAddress;
    HICON m_hIcon;
    // Whether "options.xml" was read at start-up; a launch rewrites it only then.
    BOOL m_bGameOptionsLoaded = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnSysCommand(UINT nID, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnQuickServer();
    void OnQuickJoin();
    void OnStart();
    void OnSetFocusJoinAddress();

    DECLARE_MESSAGE_MAP()
};
