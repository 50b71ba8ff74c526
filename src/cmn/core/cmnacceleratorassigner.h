#pragma once

#include <QChar>
#include <QSet>
#include <QStringList>

// Keyboard accelerators for a group of texts (the labels and buttons of one window,
// the actions of one menu): each text gets an "&" before a character of its own where
// the characters allow, preferring first letters, then word starts, then any letter.
// Texts that already carry an "&" keep it and claim its character.

// The characters that can become accelerators.
inline constexpr char kCmnAcceleratorCandidates[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";

// The same texts, same count and order, with marks added where a character could be
// given. A text whose "&" marks a character (a doubled "&&" is a literal ampersand)
// is left as it is, and no other text of the group receives that character.
QStringList AssignTextAccelerators(const QStringList &texts);

// The texts, none of which carries a mark, with an "&" inserted where one of the
// available characters (upper case) was given. A text that gets no character is
// returned unchanged.
QStringList AssignAccelerators(const QStringList &texts, const QSet<QChar> &available);
