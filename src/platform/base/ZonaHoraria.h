#pragma once

// Makes the C library read the workstation's time zone once for the run.
// With TZ unset it looks at /etc/localtime again for every local date it
// builds, which costs more than reading the row the date came in; called
// first thing in main(). A TZ already set is left as it is.
void FijaZonaHoraria();
