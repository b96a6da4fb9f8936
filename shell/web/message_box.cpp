// Message boxes: the page's <dialog>, shown modal, its buttons made for the
// style. The program waits in MessageBoxA while the browser runs, until a
// button is pressed.
#include <emscripten.h>

#include "shell/web/state.h"

namespace web_win32 {
namespace {

// The first button has the focus, so Return presses it; Escape presses the
// last (No, or the only OK).
EM_ASYNC_JS(int, ShowBox, (const char* text, const char* caption, int yesNo), {
    var box = document.getElementById("box");
    document.getElementById("box-caption").textContent = UTF8ToString(caption);
    document.getElementById("box-text").textContent = UTF8ToString(text);
    var buttons = document.getElementById("box-buttons");
    buttons.replaceChildren();
    var answers = yesNo ? [["Yes", 6], ["No", 7]] : [["OK", 1]];
    return await new Promise(function(resolve) {
        function answer(id) {
            box.onkeydown = null;
            box.close();
            resolve(id);
        }
        answers.forEach(function(button) {
            var element = document.createElement("button");
            element.textContent = button[0];
            element.onclick = function() { answer(button[1]); };
            buttons.appendChild(element);
        });
        box.onkeydown = function(event) {
            if (event.key != "Escape") return;
            event.preventDefault();
            answer(answers[answers.length - 1][1]);
        };
        box.oncancel = function(event) { event.preventDefault(); };
        box.showModal();
        buttons.firstChild.focus();
    });
});

}  // namespace
}  // namespace web_win32

using namespace web_win32;

int WINAPI MessageBoxA(HWND, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
    const UINT buttons = uType & MB_TYPEMASK;
    if (buttons != MB_OK && buttons != MB_YESNO) return 0;
    // Windows' own default caption.
    return ShowBox(lpText ? lpText : "", lpCaption ? lpCaption : "Error", buttons == MB_YESNO);
}
