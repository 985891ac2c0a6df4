#pragma once

// A report printed to e-mail opens the e-mail window with the report's PDF
// as its attachment; the operator completes the message and sends it.
void InstalaEnvioDeInformes();
