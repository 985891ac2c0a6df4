#pragma once

#include <QString>

// Makes the folder with mode 0700 when it is missing, and takes one that is
// there only when it is this user's own: a directory, not a link, owned by
// this user and closed to group and others. Another user could read what a
// folder open to them holds, or swap its files, so anything else raises
// error 75 naming the folder and what is wrong, and nothing is written there.
void AseguraCarpetaPropia(const QString& carpeta);
