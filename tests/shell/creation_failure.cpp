#include "tests/shell/creation_failure.h"

#include "tests/shell/shell_test.h"

const std::string MODE_CHANGE = "ChangeDisplaySettingsA({size 156, fields 0x1c0000, 640 x 480 x 16}, 0x4)";
const std::string MODE_RESTORE = "ChangeDisplaySettingsA(null, 0x0)";
const std::string CLASS_REMOVAL = "UnregisterClassA(\"OpenGL\", instance)";

void ExpectCreationFailure(const CreationFailure& row) {
    SCOPED_TRACE(row.step);
    const std::string box = Box(row.text, "ERROR", "0x30");

    StartAfresh();
    if (!row.service.empty()) scripted.Fail(row.service, row.nth);
    scripted.Answer(IDOK);
    EXPECT_FALSE(CreateGLWindow("Tessaline - By Odrenko", 640, 480, 16, true));
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), std::vector<std::string>{box});
    EXPECT_EQ(scripted.log.back(), box) << "everything is given back before the box";
    EXPECT_EQ(Teardown(), row.teardown);
    ExpectNothingHeld();
    EXPECT_EQ(scripted.cursorCount, 0) << "the cursor shows again";

    StartAfresh();
    if (!row.service.empty()) scripted.Fail(row.service, row.nth);
    scripted.Answer(IDNO);
    scripted.Answer(IDOK);
    EXPECT_EQ(RunProgram(), 1);
    EXPECT_EQ(scripted.Calls({"MessageBoxA"}), (std::vector<std::string>{QUESTION, box}));
    EXPECT_TRUE(scripted.Calls({"PeekMessageA"}).empty()) << "no loop runs";
    ExpectNothingHeld();
    EXPECT_EQ(scripted.AnswersLeft(), 0u);
}
