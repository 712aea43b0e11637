#pragma once

// The one dialog template of the minimal dialog program.
#define IDD_MINIMAL_DIALOG 100
