#include "framework/win32/Win32.h"

#include "framework/Wnd.h"

struct CPaintDC::PaintState {
    PAINTSTRUCT paint{};
};

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd), m_state(std::make_unique<PaintState>()) {
    m_hDC = ::BeginPaint(m_pWnd->m_hWnd, &m_state->paint);
}

CPaintDC::~CPaintDC() {
    ::EndPaint(m_pWnd->m_hWnd, &m_state->paint);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    return ::DrawIcon(m_hDC, x, y, hIcon);
}
