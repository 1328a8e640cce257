#pragma once
// The whole program: command line, start-up, the frame loop and the quit
// sequence. Returns the exit status (0, or non-zero after a failed script).
int runProgram(int argc, char** argv);
