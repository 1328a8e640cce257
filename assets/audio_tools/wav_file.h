#pragma once
// Reading and writing RIFF WAVE files. Reads 8/16/24/32-bit integer PCM and
// 32/64-bit float data (what FluidSynth renders); writes 16-bit PCM, the only
// kind the game's own WAV loader accepts.
#include <cstdint>
#include <string>
#include <vector>

#include "audio_buffer.h"

// Returns false with a message in error when the file is missing or not a
// WAVE file this reader understands.
bool ReadWav(const std::string& path, AudioBuffer& out, std::string& error);
// The same for a WAVE file already in memory (an entry of a data pack).
bool ParseWav(const std::vector<uint8_t>& data, AudioBuffer& out, std::string& error);

// Writes 16-bit PCM, rounding to the nearest step and clamping to the range.
bool WriteWav16(const std::string& path, const AudioBuffer& sound);
