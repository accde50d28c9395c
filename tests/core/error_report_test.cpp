// The text of the run-time error box, byte for byte in GBK with CR LF breaks.
#include <gtest/gtest.h>

#include <optional>

#include "core_test_support.h"
#include "error_report.h"
#include "window_description.h"

namespace {

using rt::RuntimeErrorKind;

// The box's texts, encoded here independently of the run time's own table.
// 运行时出错!
const std::string kRuntimeError = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!";
// 错误代码：
const std::string kErrorCode = "\xB4\xED\xCE\xF3\xB4\xFA\xC2\xEB\xA3\xBA";
// 错误信息：
const std::string kErrorMessage = "\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";
// 运行时错误相关信息值(在IDE中打开对应源程序后执行"运行->到运行时错误相关位置"菜单功能查看): 
const std::string kRelatedValues =
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xCF\xE0\xB9\xD8\xD0\xC5\xCF\xA2\xD6\xB5(\xD4\xDAIDE\xD6\xD0\xB4"
    "\xF2\xBF\xAA\xB6\xD4\xD3\xA6\xD4\xB4\xB3\xCC\xD0\xF2\xBA\xF3\xD6\xB4\xD0\xD0\"\xD4\xCB\xD0\xD0->\xB5\xBD"
    "\xD4\xCB\xD0\xD0\xCA\xB1\xB4\xED\xCE\xF3\xCF\xE0\xB9\xD8\xCE\xBB\xD6\xC3\"\xB2\xCB\xB5\xA5\xB9\xA6\xC4"
    "\xDC\xB2\xE9\xBF\xB4): ";
// 未找到所指定的窗口
const std::string kWindowNotFound = "\xCE\xB4\xD5\xD2\xB5\xBD\xCB\xF9\xD6\xB8\xB6\xA8\xB5\xC4\xB4\xB0\xBF\xDA";
// 未找到所指定的窗口组件
const std::string kComponentNotFound =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xCB\xF9\xD6\xB8\xB6\xA8\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE";
// 所访问窗口的"标记"属性值: "
const std::string kWindowTag =
    "\xCB\xF9\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xB5\xC4\"\xB1\xEA\xBC\xC7\"\xCA\xF4\xD0\xD4\xD6\xB5: \"";
// 所访问窗口组件的"标记"属性值: "
const std::string kComponentTag =
    "\xCB\xF9\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xB5\xC4\"\xB1\xEA\xBC\xC7\"\xCA\xF4\xD0\xD4\xD6\xB5: \"";
// 载入窗口模板数据段出错!
const std::string kDescriptionUnreadable =
    "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!";
// 载入启动窗口失败
const std::string kStartupWindowFailed = "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC";
// 未载入欲访问窗口组件所在的窗口
const std::string kWriteWindowMissing =
    "\xCE\xB4\xD4\xD8\xC8\xEB\xD3\xFB\xB7\xC3\xCE\xCA\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE\xCB\xF9\xD4\xDA\xB5\xC4\xB4\xB0\xBF\xDA";
// 未找到引发事件的窗口
const std::string kEventWindowMissing = "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA";
// 未找到引发事件的窗口组件
const std::string kEventComponentMissing =
    "\xCE\xB4\xD5\xD2\xB5\xBD\xD2\xFD\xB7\xA2\xCA\xC2\xBC\xFE\xB5\xC4\xB4\xB0\xBF\xDA\xD7\xE9\xBC\xFE";
// 窗口标记: the window's tag in the tagged description.
const std::string kWindowTagText = "\xB4\xB0\xBF\xDA\xB1\xEA\xBC\xC7";
const std::string kLabelTagText = "label tag";
const std::string kCrLf = "\r\n";

// Which records the report may consult.
enum class Records { None, Stored, Tagged };

rt::Description readDescription(Records records) {
    testdesc::DescriptionSpec layout = testdesc::programDescription();
    if (records == Records::Tagged) {
        layout.windows[0].units[0].tag = kWindowTagText;
        layout.windows[0].units[2].tag = kLabelTagText;
    }
    rt::DescriptionResult result = coretest::read(layout.bytes());
    EXPECT_TRUE(result.description) << coretest::describe(result.failure);
    return result.description ? *result.description : rt::Description{};
}

struct ReportCase {
    const char* name;
    rt::RuntimeError error;
    Records records;
    std::string expected;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class ErrorReport : public ::testing::TestWithParam<ReportCase> {};

TEST_P(ErrorReport, HasExactlyTheseBytes) {
    const ReportCase& c = GetParam();
    std::optional<rt::Description> description;
    if (c.records != Records::None) description = readDescription(c.records);
    const std::string text = rt::errorReportText(c.error, description ? &*description : nullptr);
    EXPECT_EQ(::testing::PrintToString(text), ::testing::PrintToString(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ErrorReport,
    ::testing::Values(
        ReportCase{"unreadable_description_has_no_tag_lines",
                   {RuntimeErrorKind::DescriptionUnreadable, 0, 0, 0}, Records::Stored,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kDescriptionUnreadable + kCrLf +
                   kCrLf + kRelatedValues + "0, 0" +
                   kCrLf},
        ReportCase{"startup_window_without_any_description_is_not_found",
                   {RuntimeErrorKind::StartupWindowFailed, 0, 0x52010001, 0}, Records::None,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kStartupWindowFailed + kCrLf +
                   kCrLf + kRelatedValues + "1375797249, 0" +
                   kCrLf + kWindowNotFound +
                   kCrLf},
        ReportCase{"startup_window_not_in_the_description_is_not_found",
                   {RuntimeErrorKind::StartupWindowFailed, 0, 0x52010009, 0}, Records::Stored,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kStartupWindowFailed + kCrLf +
                   kCrLf + kRelatedValues + "1375797257, 0" +
                   kCrLf + kWindowNotFound +
                   kCrLf},
        ReportCase{"described_startup_window_shows_its_empty_tags",
                   {RuntimeErrorKind::StartupWindowFailed, 0, 0x52010001, 0}, Records::Stored,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kStartupWindowFailed + kCrLf +
                   kCrLf + kRelatedValues + "1375797249, 0" +
                   kCrLf + kWindowTag + "\"" +
                   kCrLf + kComponentTag + "\"" +
                   kCrLf},
        ReportCase{"component_0_is_the_windows_own_unit",
                   {RuntimeErrorKind::StartupWindowFailed, 0, 0x52010001, 0}, Records::Tagged,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kStartupWindowFailed + kCrLf +
                   kCrLf + kRelatedValues + "1375797249, 0" +
                   kCrLf + kWindowTag + kWindowTagText + "\"" +
                   kCrLf + kComponentTag + kWindowTagText + "\"" +
                   kCrLf},
        ReportCase{"write_to_a_component_shows_both_tags",
                   {RuntimeErrorKind::WriteWindowMissing, 0, 0x52010001, 0x16010002}, Records::Tagged,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kWriteWindowMissing + kCrLf +
                   kCrLf + kRelatedValues + "1375797249, 369164290" +
                   kCrLf + kWindowTag + kWindowTagText + "\"" +
                   kCrLf + kComponentTag + kLabelTagText + "\"" +
                   kCrLf},
        ReportCase{"unknown_component_is_reported_after_the_window_tag",
                   {RuntimeErrorKind::EventComponentMissing, 0, 0x52010001, 0x16010009}, Records::Tagged,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kEventComponentMissing + kCrLf +
                   kCrLf + kRelatedValues + "1375797249, 369164297" +
                   kCrLf + kWindowTag + kWindowTagText + "\"" +
                   kCrLf + kComponentNotFound +
                   kCrLf},
        ReportCase{"event_from_an_unknown_window",
                   {RuntimeErrorKind::EventWindowMissing, 0, 0x52010002, 0x16010003}, Records::Tagged,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kEventWindowMissing + kCrLf +
                   kCrLf + kRelatedValues + "1375797250, 369164291" +
                   kCrLf + kWindowNotFound +
                   kCrLf},
        ReportCase{"error_code_appears_only_when_not_0",
                   {RuntimeErrorKind::DescriptionUnreadable, 7, 0, 0}, Records::None,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorCode + "7" + kCrLf +
                   kCrLf + kErrorMessage + kDescriptionUnreadable + kCrLf +
                   kCrLf + kRelatedValues + "0, 0" +
                   kCrLf},
        ReportCase{"error_code_is_a_signed_decimal",
                   {RuntimeErrorKind::DescriptionUnreadable, -2147483647 - 1, 0, 0}, Records::None,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorCode + "-2147483648" + kCrLf +
                   kCrLf + kErrorMessage + kDescriptionUnreadable + kCrLf +
                   kCrLf + kRelatedValues + "0, 0" +
                   kCrLf},
        ReportCase{"related_values_are_signed_decimals",
                   {RuntimeErrorKind::WriteWindowMissing, 0, 0xFFFFFFFF, 0x80000000}, Records::Stored,
                   kRuntimeError + kCrLf +
                   kCrLf + kErrorMessage + kWriteWindowMissing + kCrLf +
                   kCrLf + kRelatedValues + "-1, -2147483648" +
                   kCrLf + kWindowNotFound +
                   kCrLf}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
