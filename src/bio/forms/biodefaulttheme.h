#pragma once

class CCmnTheme;

// The built-in theme: every element the themed skeleton and the three breeding
// forms ask for, with its class and built-in content. It is the fallback of
// every theme look-up, the prototype that stored element bytes are read into,
// and the base theme of a new document. Filled on the first call; callers copy it.
const CCmnTheme &BioGetDefaultTheme();
