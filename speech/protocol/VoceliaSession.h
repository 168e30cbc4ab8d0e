#pragma once

#include <QString>

// What names this desktop session's bridge, for the keyboard and the bridge alike.
namespace speech {

// Whether this session's keyboard and bridge talk through window messages: the toolkit's
// platform says, and the keyboard's child, the bridge, inherits the keyboard's choice of it.
bool WindowMessagesInThisSession();

// The socket of this session's bridge, in the user's runtime folder.
QString VoceliaSocketOfThisSession();

}  // namespace speech
