// Message boxes, answered with real keys.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "tests/sdl/sdl_layer_fixture.h"

using MessageBoxes = SdlLayerTest;

namespace {

// Answers the box with this caption from a process of its own, as a user at
// the keyboard would, while MessageBoxA waits. Not a thread: SDL shows its
// box from a forked child, which a second thread could leave deadlocked.
pid_t AnswerLater(const std::string& caption, const char* keyName) {
    pid_t user = fork();
    if (user != 0) return user;
    XSession keyboard(std::getenv("DISPLAY"));
    ::Window box = keyboard.WaitForWindow(caption, 10);
    if (box != None) {
        keyboard.Focus(box);
        keyboard.PressKey(keyName);
    }
    _exit(box != None ? 0 : 1);
}

bool Answered(pid_t user) {
    int status = 0;
    return waitpid(user, &status, 0) == user && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

TEST_F(MessageBoxes, ReturnAnswersTheDefaultButtonAndEscapeNo) {
    struct Case {
        UINT style;
        const char* key;
        int answer;
    };
    const Case cases[] = {
        {MB_YESNO | MB_ICONQUESTION, "Return", IDYES},    {MB_YESNO | MB_ICONQUESTION, "Escape", IDNO},
        {MB_YESNO | MB_ICONEXCLAMATION, "Return", IDYES}, {MB_OK | MB_ICONEXCLAMATION, "Return", IDOK},
        {MB_OK | MB_ICONSTOP, "Escape", IDOK},            {MB_OK | MB_ICONINFORMATION, "Return", IDOK},
    };
    for (const Case& c : cases) {
        std::string caption = "Box " + std::to_string(c.style) + " " + c.key;
        pid_t user = AnswerLater(caption, c.key);
        EXPECT_EQ(MessageBoxA(nullptr, "A question?", caption.c_str(), c.style), c.answer) << caption;
        EXPECT_TRUE(Answered(user)) << caption;
    }
}

TEST_F(MessageBoxes, WithNoDisplayTheCaptionAndTextGoToStandardErrorAndTheAnswerIsZero) {
    std::string display = std::getenv("DISPLAY");
    unsetenv("DISPLAY");
    testing::internal::CaptureStderr();
    int answer = MessageBoxA(nullptr, "Would You Like To Run In Fullscreen Mode?", "Start FullScreen?",
                             MB_YESNO | MB_ICONQUESTION);
    std::string errors = testing::internal::GetCapturedStderr();
    setenv("DISPLAY", display.c_str(), 1);

    EXPECT_EQ(answer, 0);
    EXPECT_NE(errors.find("Start FullScreen?"), std::string::npos) << errors;
    EXPECT_NE(errors.find("Would You Like To Run In Fullscreen Mode?"), std::string::npos) << errors;
    EXPECT_NE(errors.find("DISPLAY is not set"), std::string::npos) << errors;
}

TEST_F(MessageBoxes, AButtonSetNotProvidedIsReportedAndAnsweredZero) {
    const UINT okCancel = 0x1;  // MB_OKCANCEL
    testing::internal::CaptureStderr();
    EXPECT_EQ(MessageBoxA(nullptr, "Go on?", "Choice", okCancel), 0);
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("Go on?"), std::string::npos) << errors;
}
