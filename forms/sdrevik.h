#pragma once

#include "runtime.h"

#include <string>
#include <string_view>

namespace launcher {

// The launcher's one window, SDREVIK ("START"): RUSSIAN starts the Russian
// build, ENGLISH the English one, EXIT ends the launcher. The builds are
// looked for in the launcher's own directory and run in its current one.
class SDREVIK : public forms::Form {
public:
    explicit SDREVIK(forms::Runtime& runtime);

    static forms::WindowTable Table();

    // Closing the launcher's only window ends it.
    bool closingEndsProgram() const override { return true; }

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();

private:
    void click(std::string_view control) override;
    void startBuild(std::string_view literal);
};

// The path of a build in `directory`, from its literal ("\DREVIK.EXE"): on
// Windows the literal as it stands, elsewhere the program's own name in lower
// case without the extension ("/drevik").
std::string BuildPath(std::string_view directory, std::string_view literal);

// Makes `runtime` make the launcher's window when it is loaded.
void RegisterLauncherWindow(forms::Runtime& runtime);

} // namespace launcher
