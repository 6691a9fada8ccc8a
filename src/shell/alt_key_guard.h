// Alt with a letter is the key of a button's mnemonic ("決定(&R)"). When that button is disabled
// (the founding dialog's while the qualities roll), the key falls through to the focused text
// field, which would type the bare letter into a name: the guard swallows it there instead.
#pragma once

class QObject;

namespace gm {

// An event filter for the application: Alt (without Ctrl, which some layouts use for their
// third level) and a printable key never types into a line edit, a spin box or a text edit.
QObject* makeAltKeyGuard(QObject* parent);

}  // namespace gm
