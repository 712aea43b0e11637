#include "launcher/Velkan LauncherDlg.h"

#include "framework/ComError.h"
#include "framework/Registry.h"
#include "framework/WinApp.h"
#include "launcher/AboutDlg.h"
#include "resource.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr int kCheckBoxes[] = {IDC_DISPLAY_INTRO, IDC_WINDOW_MODE, IDC_SHOW_FRAME_RATE};

} // namespace

CLauncherDlg::CLauncherDlg(CWnd* pParent)
    : CDialog(IDD_LAUNCHER_DIALOG, pParent), m_hIcon(AfxGetApp()->LoadIcon(IDR_MAINFRAME)) {}

BEGIN_MESSAGE_MAP(CLauncherDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_QUICK_SERVER, OnQuickServer)
ON_BN_CLICKED(IDC_QUICK_JOIN, OnQuickJoin)
ON_BN_CLICKED(IDC_START, OnStart)
ON_EN_SETFOCUS(IDC_JOIN_ADDRESS, OnSetFocusJoinAddress)
END_MESSAGE_MAP()

void CLauncherDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DISPLAY_INTRO, m_bDisplayIntro);
    DDX_Check(pDX, IDC_SHOW_FRAME_RATE, m_bShowFrameRate);
    DDX_Check(pDX, IDC_WINDOW_MODE, m_bWindowMode);
    DDX_Text(pDX, IDC_JOIN_ADDRESS, m_strJoinAddress);
}

BOOL CLauncherDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* pSysMenu = GetSystemMenu(FALSE)) {
        CString strAboutMenu;
        strAboutMenu.LoadString(IDS_ABOUTBOX);
        if (!strAboutMenu.IsEmpty()) {
            pSysMenu->AppendMenu(MF_SEPARATOR);
            pSysMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, strAboutMenu);
        }
    }

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    AfxCoInitialize();
    const HRESULT hr = m_pXMLDoc.CreateInstance();
    if (hr < 0) {
        // Without the document object nothing can be read: say why and close once
        // start-up has run to its end.
        AfxMessageBox(CComError(hr).ErrorMessage(), MB_OK);
        EndDialog(IDOK);
    }

    ReadGamePaths();
    m_bGameOptionsLoaded = LoadOptionsDocument(m_strGamePath + "options.xml");
    LoadOptionsDocument(m_strModPath + "vk_options.xml");

    // The first launch turns FirstRun into "FALSE", so the check boxes show from the second start
    // on.
    const int nShow = m_strFirstRun == "TRUE" ? SW_HIDE : SW_SHOWNORMAL;
    for (const int id : kCheckBoxes) {
        if (CWnd* pCheckBox = GetDlgItem(id)) {
            pCheckBox->ShowWindow(nShow);
        }
    }

    m_bQuickJoin = FALSE;
    m_bQuickServer = FALSE;
    m_strJoinAddress = "Enter IP Address to Join";
    m_bDisplayIntro = m_strDoIntro == "TRUE" ? TRUE : FALSE;
    m_bWindowMode = m_strWindowMode == "TRUE" ? TRUE : FALSE;
    m_bShowFrameRate = m_strShowFPSRate == "TRUE" ? TRUE : FALSE;
    UpdateData(FALSE);

    return TRUE;
}

void CLauncherDlg::ReadGamePaths() {
    // At most 255 bytes are stored, so the last byte always ends the text.
    char buffer[256] = {};
    CRegKey key;
    if (key.OpenLocalMachine(
            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\GhostRecon.exe") ==
        AFX_ERROR_SUCCESS) {
        DWORD size = 255;
        if (key.QueryValue("Path", reinterpret_cast<BYTE*>(buffer), &size) != AFX_ERROR_SUCCESS) {
            // A value too long for the buffer leaves it undefined: treat it as no registered path.
            std::fill(std::begin(buffer), std::end(buffer), '\0');
        }
    }

    m_strGamePath = CString(buffer) + "\\";
    m_strModsPath = m_strGamePath + "Mods\\";
    m_strModPath = m_strModsPath + "Velkan\\";
}

void CLauncherDlg::OnSysCommand(UINT nID, LPARAM lParam) {
    if ((nID & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutDlg dlgAbout;
        dlgAbout.DoModal();
    } else {
        CDialog::OnSysCommand(nID, lParam);
    }
}

void CLauncherDlg::OnPaint() {
    if (!IsIconic()) {
        CDialog::OnPaint();
        return;
    }

    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);

    const int cxIcon = AfxGetSystemMetrics(SM_CXICON);
    const int cyIcon = AfxGetSystemMetrics(SM_CYICON);
    CRect rect;
    GetClientRect(&rect);
    const int x = (rect.Width() - cxIcon + 1) / 2;
    const int y = (rect.Height() - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CLauncherDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CLauncherDlg::OnSetFocusJoinAddress() {
    m_strJoinAddress.Empty();
    UpdateData(FALSE);
}
