#include "framework/win32/Win32.h"

#include "framework/ComError.h"
#include "framework/WinApp.h"
#include "framework/win32/ExceptionReport.h"

#include <exception>

void AfxReportCurrentException() noexcept {
    try {
        throw;
    } catch (const CComError& error) {
        AfxMessageBox(error.ErrorMessage());
    } catch (const std::exception& error) {
        AfxMessageBox(error.what());
    } catch (...) {
        AfxMessageBox("An unexpected error occurred.");
    }
}
