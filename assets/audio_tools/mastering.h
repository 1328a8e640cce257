#pragma once
// The finishing steps every sound goes through before it is encoded: folding
// a render's tail back into a loop, trimming, fades, and level matching; and
// the measurements that check the result (peak, loudness, loop seam).
#include <cstddef>

#include "audio_buffer.h"

// Music loops are rendered longer than one turn so notes and reverb can ring
// out; the ringing past the loop end is added onto the start, which is what a
// listener hears on every repeat after the first. Truncates to loopFrames.
void FoldTailIntoLoop(AudioBuffer& sound, size_t loopFrames);

// For loops of noise-like material (no beat grid): the last fadeFrames frames
// past loopFrames are cross-faded into the start with equal power, then the
// buffer is truncated to loopFrames.
void CrossfadeLoop(AudioBuffer& sound, size_t loopFrames, size_t fadeFrames);

// Drops trailing frames more than floorDb (negative) under the sound's peak,
// keeping keepSeconds after the last audible frame, and fades the last
// fadeSeconds out to silence.
void TrimAndFadeOut(AudioBuffer& sound, double floorDb, double keepSeconds, double fadeSeconds);

void Scale(AudioBuffer& sound, double gain);

struct Levels {
  double peak = 0;       // largest absolute sample, full scale = 1
  double rms = 0;        // over the whole sound, all channels
  double loudestRms = 0; // largest RMS over any 300 ms window: loudness of short effects
};
Levels MeasureLevels(const AudioBuffer& sound);

// How the sound joins when it repeats: the step from the last frame to the
// first, against the ordinary steps between neighbouring frames.
struct Seam {
  double jump = 0;      // largest |first - last| over the channels
  double typical = 0;   // RMS of all neighbouring-frame steps
  double largest = 0;   // largest neighbouring-frame step inside the sound
  double nearby = 0;    // RMS of the steps within 10 ms either side of the seam
};
Seam MeasureSeam(const AudioBuffer& sound);

enum class LevelBy { WholeRms, LoudestRms, Peak };

// Scales the sound so its loudness (chosen by `by`; Peak levels by the peak
// alone, for clicks too short for a loudness window) is targetDb dBFS, but
// never lets the peak pass peakDb. Returns the gain applied.
double Normalise(AudioBuffer& sound, LevelBy by, double targetDb, double peakDb);

double ToDb(double amplitude);
double FromDb(double db);
