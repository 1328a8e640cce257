#pragma once
// SDL keys to the game's key codes (the desktop's virtual-key numbering).
#include <SDL.h>

// 0 for keys the game has no code for.
int KeyCodeFromSdl(SDL_Keycode sym, SDL_Scancode scancode);
