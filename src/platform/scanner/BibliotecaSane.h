#pragma once

#include <QString>

#include <sane/sane.h>

// libsane's entry points. The library, and what it brings (USB, udev, XML),
// loads with the first use of SANE, so a start that never scans nor lists
// scanners does not map it.
struct FuncionesSane {
    decltype(&::sane_init) init;
    decltype(&::sane_exit) exit;
    decltype(&::sane_get_devices) get_devices;
    decltype(&::sane_open) open;
    decltype(&::sane_close) close;
    decltype(&::sane_get_option_descriptor) get_option_descriptor;
    decltype(&::sane_control_option) control_option;
    decltype(&::sane_get_parameters) get_parameters;
    decltype(&::sane_start) start;
    decltype(&::sane_read) read;
    decltype(&::sane_cancel) cancel;
    decltype(&::sane_strstatus) strstatus;
};

// Loaded once for the whole process. Null when libsane cannot be loaded or
// lacks an entry point; the reason is then in MotivoSinSane().
const FuncionesSane* Sane();
QString MotivoSinSane();
