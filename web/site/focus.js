// The keyboard in a window: Tab and Shift+Tab step through its controls in
// the table's keyboard order (the step itself is the program's), and the
// focus is given back where it was when the window is shown again.

// The controls that take the focus, in keyboard order, as far as they can
// take it now (asked without the page's layout, which a shown window waits
// for otherwise).
function focusable(window) {
    return window.tabOrder.map((name) => window.controls.get(name))
        .filter((made) => made && !made.disabled && !made.closest("[hidden]"));
}

// The Tab key, with Shift or without: WebKitGTK names Shift+Tab's key
// "Unidentified" (the system's left tab), on the Tab key all the same.
export function isTab(event) {
    return event.key === "Tab" || event.code === "Tab";
}

export function tabbing(window) {
    window.root.addEventListener("keydown", (event) => {
        if (!isTab(event) || event.ctrlKey || event.altKey || event.metaKey) {
            return;
        }
        const order = focusable(window);
        if (order.length === 0) {
            return;
        }
        event.preventDefault();
        order[_dish_tab_step(order.length, order.indexOf(document.activeElement),
                             event.shiftKey ? 1 : 0)].focus();
    });
    window.root.addEventListener("focusin", (event) => {
        window.lastFocus = event.target;
    });
}

// A window shown again: the focus back on the control that had it, or on
// the first one (the program's rule), or on its close button where no
// control can take it.
export function focusShown(window) {
    if (window.root.contains(document.activeElement)) {
        return;
    }
    const order = focusable(window);
    const next = _dish_focus_on_return(order.length, order.indexOf(window.lastFocus));
    (next >= 0 ? order[next] : window.root.querySelector(".close")).focus();
}
