#include "app/app_exception.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/errors.h"
#include "widgets/errors.h"

namespace {

struct ErrorCase {
    const char* name;
    std::function<void()> raise;
    std::string text;
    std::string caption;
};

class AppExceptionTest : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(AppExceptionTest, ShowsTheMessageOfTheErrorClass) {
    try {
        GetParam().raise();
        FAIL() << "no error";
    } catch (const std::exception& e) {
        const app::ErrorMessage shown = app::AppExceptionMessage(e, "Halvorn Quellwerk");
        EXPECT_EQ(shown.text, GetParam().text);
        EXPECT_EQ(shown.caption, GetParam().caption);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AppExceptionTest,
    ::testing::Values(
        ErrorCase{"OutOfResources", [] { throw widgets::EOutOfResources("kein Speicher"); },
                  "Fehler 532: Bitte schließen Sie alle laufenden Anwendungen, um mehr Resourcen zu erhalten, und\r"
                  "versuchen Sie die Operation nochmal.",
                  "Fehler"},
        ErrorCase{
            "InvalidOperation", [] { throw widgets::EInvalidOperation("sichtbar"); },
            "Fehler 441: Bitte schließen Sie alle laufenden Anwendungen und versuchen Sie die\rOperation nochmal.",
            "Fehler beim Öffnen"},
        ErrorCase{"QuoteSortsBefore", [] { throw config::ERegistryException("Ungültiger Datentyp für 'Exit'"); },
                  "Ungültiger Datentyp für 'Exit'", "Halvorn Quellwerk"},
        ErrorCase{"LetterGetsAFullStop", [] { throw std::runtime_error("Datei fehlt"); }, "Datei fehlt.",
                  "Halvorn Quellwerk"},
        ErrorCase{"FullStopStays", [] { throw std::runtime_error("Datei fehlt."); }, "Datei fehlt.",
                  "Halvorn Quellwerk"},
        ErrorCase{"ExclamationSortsBefore", [] { throw std::runtime_error("Halt!"); }, "Halt!", "Halvorn Quellwerk"},
        ErrorCase{"UmlautSortsAfter", [] { throw std::runtime_error("Größe"); }, "Größe.", "Halvorn Quellwerk"},
        ErrorCase{"Empty", [] { throw std::runtime_error(""); }, "", "Halvorn Quellwerk"}),
    [](const ::testing::TestParamInfo<ErrorCase>& info) { return std::string(info.param.name); });

}  // namespace
