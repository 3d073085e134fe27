#pragma once

#include <QStringList>

namespace tulvane::platform {

class DialogService;

// `chemins` without the names that were not UTF-8 on disk; when some were left out, one
// message says how many and why.
QStringList sansNomsNonUtf8(const QStringList& chemins, DialogService& dialogues);

}  // namespace tulvane::platform
