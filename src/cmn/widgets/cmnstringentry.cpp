#include "cmnstringentry.h"

CCmnStringEntry::~CCmnStringEntry() = default;
