// The program's own routines.
#pragma once

int programMain();
void initGlobals();
void releaseGlobals();
void onButton1Click();
