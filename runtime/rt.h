// The form run time as the program sees it: the operations it calls, and
// what it must provide in return.
#pragma once

#include "core/program_abi.h"

// Operations of the run time, called on the program's one thread.
void rtInitialize();
void rtAddEndRoutine(rt::Routine routine);
void rtLoadStartupWindow(rt::WindowId window);
void rtRunMessageLoop();
rt::ArgRecord rtCallCommand(rt::Command command, int count, const rt::ArgRecord* args);
void rtWriteProperty(rt::WindowId window, rt::ComponentId component, rt::PropertyIndex index,
                     std::int32_t subIndex, std::uint32_t valueLow, std::uint32_t valueHigh);

// Commands for rtCallCommand.
void rtShowMessageBox(rt::ArgRecord* result, int count, const rt::ArgRecord* args);

// The support library that holds the run time's window kinds.
extern const rt::SupportLibrary rtFormLibrary;

// What the program provides.
int programMain();
extern const rt::ProgramHeader programHeader;
extern const rt::RoutineTable programRoutines;
