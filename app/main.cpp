// VIRANO: directed operative temperature at control points in a room.
#include "Program.h"

int main(int argc, char** argv) { return virano::RunVirano(argc, argv); }
