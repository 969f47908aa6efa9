// A message box over the page: nothing else takes a click or a key until it
// is closed, and the focus then goes back where it was.
import {element, nextLayer} from "./elements.js";
import {isTab} from "./focus.js";

let shownBoxes = 0;

// Read out as an alert: its title names it, its message describes it, and
// the focus is on OK.
export function messageBox(title, message) {
    const before = document.activeElement;
    const cover = element("div", "cover", document.body);
    cover.style.zIndex = nextLayer() + 1000;
    const box = element("div", "messagebox", cover);
    box.setAttribute("role", "alertdialog");
    box.setAttribute("aria-modal", "true");
    const bar = element("div", "title", box);
    element("span", "caption", bar).textContent = title;
    box.setAttribute("aria-label", title);
    const text = element("div", "message", box);
    text.id = "message-" + ++shownBoxes;
    text.textContent = message;
    box.setAttribute("aria-describedby", text.id);
    const ok = element("button", "ok", element("div", "buttons", box));
    ok.type = "button";
    ok.textContent = "OK";
    const close = () => {
        cover.remove();
        if (before && before.isConnected && before.offsetParent !== null) {
            before.focus();
        }
    };
    ok.addEventListener("click", close);
    box.addEventListener("keydown", (event) => {
        if (event.key === "Escape") {
            event.preventDefault();
            close();
        } else if (isTab(event)) {
            event.preventDefault();
        }
    });
    ok.focus();
}
