// Fuzz target: any bytes as a window description. Whatever reading accepts
// must survive every lookup, the kind-part readers, property writes and the
// error report; whatever it refuses must be refused inside the data.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "description.h"
#include "error_report.h"
#include "gbk.h"
#include "property_store.h"

namespace {

int routineCalls = 0;
void routineAt0() { ++routineCalls; }
void routineAt8() { routineCalls += 2; }

const rt::ProgramRoutine kRoutines[] = {{0, routineAt0}, {8, routineAt8}};

// Zero bytes: an empty text and a 60-byte font record at once.
const std::uint8_t kZeroBuffer[64] = {};

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "description fuzzer: %s\n", what);
    std::abort();
}

void checkReport(const rt::RuntimeError& error, const rt::Description* description) {
    const std::string text = rt::errorReportText(error, description);
    require(text.rfind("\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n", 0) == 0, "report does not start with its title line");
    require(text.size() >= 2 && text.compare(text.size() - 2, 2, "\r\n") == 0, "report does not end with a line break");
}

void checkLookups(const rt::Description& description) {
    require(description.reservedSlots.size() == description.windows.size(), "one reserved slot per window");
    for (const rt::WindowRecord& window : description.windows) {
        const rt::WindowRecord* found = rt::findWindow(description, window.id);
        if (rt::idIsFindable(window.id))
            require(found != nullptr && found->id == window.id, "a stored window id is not found");
        else
            require(found == nullptr, "an unfindable window id is found");

        for (const rt::UnitRecord& unit : window.units) {
            const rt::UnitRecord* byId = rt::findUnit(window, unit.id);
            if (rt::idIsFindable(unit.id))
                require(byId != nullptr && byId->id == unit.id, "a stored unit id is not found");
            else
                require(byId == nullptr, "an unfindable unit id is found");
            const rt::UnitRecord* byName = rt::findUnitByName(window, unit.name);
            require(byName != nullptr && rt::gbkEqualNoCase(byName->name, unit.name), "a unit is not found by its name");
            for (std::uint32_t event = 0; event < 3; ++event) rt::findEventHandler(window, unit, event);
            rt::mousePointerCode(unit.mousePointer);
            for (auto kind : {rt::RuntimeErrorKind::StartupWindowFailed, rt::RuntimeErrorKind::EventComponentMissing})
                checkReport({kind, 0, window.id, unit.id}, &description);
        }
        checkReport({rt::RuntimeErrorKind::WriteWindowMissing, -1, window.id, 0}, &description);

        // Names compare the same either way round.
        const std::size_t n = window.units.size() < 8 ? window.units.size() : 8;
        for (std::size_t i = 0; i < n; ++i)
            for (std::size_t j = 0; j < n; ++j)
                require(rt::gbkEqualNoCase(window.units[i].name, window.units[j].name) ==
                            rt::gbkEqualNoCase(window.units[j].name, window.units[i].name),
                        "name comparison is not symmetric");
    }
}

void checkPropertyWrites(rt::UnitRecord unit) {
    rt::unitReadKindPart(unit);
    const std::uint64_t address = reinterpret_cast<std::uintptr_t>(kZeroBuffer);
    for (rt::PropertyIndex index = 0; index <= 30; ++index) {
        const bool byAddress = index == 4 || index == 8 || index == 10 || index == 13 || index == 15 ||
                               index == 27 || index == 28;
        for (std::uint64_t value : {std::uint64_t{0}, std::uint64_t{0xFFFFFFFF}, std::uint64_t{40000}}) {
            rt::writeProperty(unit, index, -1, byAddress ? address : value);
            rt::writeProperty(unit, index, 0, value);
        }
    }
    require(unit.width >= 0 && unit.width <= rt::kCoordinateBound, "width out of range");
    require(unit.height >= 0 && unit.height <= rt::kCoordinateBound, "height out of range");
    require(unit.left >= -rt::kCoordinateBound && unit.left <= rt::kCoordinateBound, "left out of range");
    require(unit.top >= -rt::kCoordinateBound && unit.top <= rt::kCoordinateBound, "top out of range");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    rt::DescriptionResult result = rt::readDescription(rt::ByteView(data, size), kRoutines);
    checkReport({rt::RuntimeErrorKind::DescriptionUnreadable, 0, 0, 0}, nullptr);
    if (!result.description) {
        require(result.failure.error != rt::ReadError::None, "refused without an error");
        require(result.failure.offset <= size, "refused at an offset outside the data");
        return 0;
    }
    checkLookups(*result.description);
    for (const rt::WindowRecord& window : result.description->windows)
        for (const rt::UnitRecord& unit : window.units) checkPropertyWrites(unit);
    return 0;
}
