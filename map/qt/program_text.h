#pragma once
// The one decoding of the program's 8-bit texts (data files, lists, messages)
// for Qt: UTF-8 when the bytes are valid UTF-8, Latin-1 otherwise, so that no
// byte is lost or refused. Windows, dialogs and the painter surface call it.

#include <QString>

#include <string_view>

namespace tavik {

QString ProgramText(std::string_view text);

} // namespace tavik
