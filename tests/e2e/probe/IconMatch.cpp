#include "IconMatch.h"

#include <cstdlib>

namespace {

// A 32-bit top-down bitmap selected into a memory device context, with its pixels at hand.
class CCanvas {
public:
    CCanvas(int width, int height) : m_width(width), m_height(height) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = CreateDIBSection(m_dc, &info, DIB_RGB_COLORS, &m_bits, nullptr, 0);
        m_previous = m_bitmap ? SelectObject(m_dc, m_bitmap) : nullptr;
    }
    CCanvas(const CCanvas&) = delete;
    CCanvas& operator=(const CCanvas&) = delete;
    ~CCanvas() {
        if (m_previous) {
            SelectObject(m_dc, m_previous);
        }
        if (m_bitmap) {
            DeleteObject(m_bitmap);
        }
        DeleteDC(m_dc);
    }

    bool IsValid() const { return m_bits != nullptr; }
    HDC Dc() const { return m_dc; }
    int Size() const { return m_width * m_height; }
    DWORD& Pixel(int index) { return static_cast<DWORD*>(m_bits)[index]; }

private:
    int m_width;
    int m_height;
    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
    void* m_bits = nullptr;
};

struct ScreenDc {
    ScreenDc() : dc(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc); }
    HDC dc;
};

bool SameColour(DWORD a, DWORD b) {
    constexpr int kTolerance = 16;
    for (int shift = 0; shift < 24; shift += 8) {
        const int difference =
            static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF);
        if (std::abs(difference) > kTolerance) {
            return false;
        }
    }
    return true;
}

// How many pixels of the screen differ from the icon drawn here over the same background.
int Mismatches(CCanvas& screen, LPCWSTR icon, int width, int height) {
    CCanvas drawn(width, height);
    if (!drawn.IsValid()) {
        return screen.Size();
    }
    // The icon's corners are transparent, so its top left pixel on the screen is background.
    const DWORD background = screen.Pixel(0);
    for (int i = 0; i < drawn.Size(); ++i) {
        drawn.Pixel(i) = background;
    }
    DrawIconEx(drawn.Dc(), 0, 0, LoadIconW(nullptr, icon), width, height, 0, nullptr, DI_NORMAL);
    int mismatches = 0;
    for (int i = 0; i < screen.Size(); ++i) {
        mismatches += SameColour(screen.Pixel(i), drawn.Pixel(i)) ? 0 : 1;
    }
    return mismatches;
}

} // namespace

std::string IdentifyIcon(HWND picture) {
    RECT rect = {};
    GetWindowRect(picture, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    CCanvas screen(width, height);
    ScreenDc desktop;
    if (width <= 0 || height <= 0 || !screen.IsValid() ||
        !BitBlt(screen.Dc(), 0, 0, width, height, desktop.dc, rect.left, rect.top, SRCCOPY)) {
        return "other";
    }
    struct Candidate {
        LPCWSTR icon;
        const char* name;
    };
    const Candidate candidates[] = {{IDI_EXCLAMATION, "exclamation"},
                                    {IDI_HAND, "hand"},
                                    {IDI_QUESTION, "question"},
                                    {IDI_ASTERISK, "asterisk"}};
    // A few pixels may differ where the edges are blended; a different icon differs widely.
    int fewest = screen.Size() / 50 + 1;
    std::string match = "other";
    for (const Candidate& candidate : candidates) {
        const int mismatches = Mismatches(screen, candidate.icon, width, height);
        if (mismatches < fewest) {
            fewest = mismatches;
            match = candidate.name;
        }
    }
    return match;
}
