#include "framework/Wnd.h"

#include "framework/headless/Machine.h"
#include "framework/headless/Window.h"

struct CPaintDC::PaintState {
    HDC__ dc;
};

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_state(std::make_unique<PaintState>()) {
    m_state->dc.window = m_pWnd->GetSafeHwnd();
    m_hDC = &m_state->dc;
    ++headless::detail::TheMachine().paints.begun;
}

CPaintDC::~CPaintDC() {
    ++headless::detail::TheMachine().paints.ended;
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    headless::detail::TheMachine().iconDraws.push_back({x, y, hIcon});
    return hIcon != nullptr ? TRUE : FALSE;
}

int AfxGetSystemMetrics(int nIndex) {
    return nIndex == SM_CXICON || nIndex == SM_CYICON ? 32 : 0;
}
