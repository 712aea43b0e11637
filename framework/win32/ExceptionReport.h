#pragma once

// Shows the exception being handled in a message box. Called from the catch blocks at the
// edges where the system calls into the program (the entry point, the dialog procedure),
// which no exception may pass.
void AfxReportCurrentException() noexcept;
