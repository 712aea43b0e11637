#pragma once

// The launcher's version, for the version block and the about box.
#define VELKAN_VERSION_MAJOR 1
#define VELKAN_VERSION_MINOR 0
#define VELKAN_VERSION_PATCH 0
#define VELKAN_VERSION_BUILD 1
#define VELKAN_VERSION_TEXT "1, 0, 0, 1"
#define VELKAN_ABOUT_TEXT "Velkan Launcher Version 1.0"
