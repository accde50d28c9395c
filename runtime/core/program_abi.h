// What the program and the run time hand each other: identifiers, the
// program header, argument records and the program's routine table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace rt {

using WindowId = std::uint32_t;
using ComponentId = std::uint32_t;
using PropertyIndex = std::int32_t;
using UnitKind = std::uint32_t;

// A routine of the program: no parameters, no result.
using Routine = void (*)();

// A support library as the program header lists it.
struct SupportLibrary {
    const char* name;
    void (*initialize)();
    void (*programEnds)();
};

// Thirteen words through which the program hands its static data over.
struct ProgramHeader {
    std::uint32_t runMode;
    std::uint32_t secondWord;
    std::uint32_t thirdWord;
    const void* codeBase;
    const char* constantsAddress;
    std::uint32_t constantsSize;
    const std::uint8_t* windowDescriptionAddress;
    std::uint32_t windowDescriptionSize;
    std::uint32_t supportLibraryCount;
    const SupportLibrary* const* supportLibraryList;
    std::uint32_t externalRoutineCount;
    const char* const* externalLibraryNames;
    const char* const* externalRoutineNames;
};

// The header is a fixed record of the 32-bit image.
static_assert(sizeof(void*) != 4 || sizeof(ProgramHeader) == 52);
static_assert(sizeof(void*) != 4 || offsetof(ProgramHeader, codeBase) == 0x0C);
static_assert(sizeof(void*) != 4 || offsetof(ProgramHeader, windowDescriptionSize) == 0x1C);
static_assert(sizeof(void*) != 4 || offsetof(ProgramHeader, supportLibraryList) == 0x24);
static_assert(sizeof(void*) != 4 || offsetof(ProgramHeader, externalRoutineNames) == 0x30);

// One argument of a run-time command: an 8-byte value, then a type code.
// Packed to 4 so that the record is 12 bytes on every target.
#pragma pack(push, 4)
struct ArgRecord {
    std::uint64_t value;
    std::uint32_t type;
};
#pragma pack(pop)
static_assert(sizeof(ArgRecord) == 12);
static_assert(offsetof(ArgRecord, type) == 8);

inline constexpr std::uint32_t kArgInteger = 0x80000301;
inline constexpr std::uint32_t kArgText = 0x80000004;

// A run-time command: fills `result` from `count` records at `args`.
using Command = void (*)(ArgRecord* result, int count, const ArgRecord* args);

// One routine of the program, keyed by its offset from the code base.
struct ProgramRoutine {
    std::int32_t offset;
    Routine routine;
};
using RoutineTable = std::span<const ProgramRoutine>;

inline constexpr std::int32_t kNoHandler = -1;

// Identifier classes: bits 24-27 the class, bits 0-23 the serial number.
constexpr unsigned idClass(std::uint32_t id) { return (id >> 24) & 0xF; }
constexpr unsigned idSubclass(std::uint32_t id) { return id >> 28; }
constexpr std::uint32_t idSerial(std::uint32_t id) { return id & 0xFFFFFF; }
constexpr bool idIsFindable(std::uint32_t id) { return idClass(id) != 0 && idSerial(id) != 0; }

}  // namespace rt
