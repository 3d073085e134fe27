#pragma once

#include "components/file_work.h"

#include <QString>

namespace tulvane::components {

// Moves a file (a link is moved itself) into the user's freedesktop trash: the home trash
// ($XDG_DATA_HOME/Trash) for a file on the same file system, otherwise the trash at the top
// of the file's own file system ($topdir/.Trash/$uid, else $topdir/.Trash-$uid). Its
// ".trashinfo" is complete and on the disk before the file moves, and goes again when the
// move fails, so that every file in the trash can be restored to its path.
//
// Neither QFile::moveToTrash (Qt 6.4: endless retries when the trash cannot be written, an
// unescaped Path=, an empty ".trashinfo" on a full disk) nor GIO's g_file_trash (GLib 2.74:
// an empty ".trashinfo" and success on a full disk, no trash on a tmpfs) is sound here.
//
// Always returns; on failure the file is where it was and the message says why.
ResultatOperation mettreALaCorbeille(const QString& chemin);

}  // namespace tulvane::components
