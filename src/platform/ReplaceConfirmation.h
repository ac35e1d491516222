#pragma once

#include <QString>

class MessageBox;

// What every window that writes a file the user chose asks before it takes the place of one that
// is there.
namespace ReplaceConfirmation {

QString question(const QString& path);

// Whether the file may be written: true when there is none at path, or when the user answered OK
// to question(path).
bool allows(MessageBox& messageBox, const QString& path);

} // namespace ReplaceConfirmation
