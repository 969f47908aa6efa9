#include "sdrevik.h"

#include "core/installationpath.h"

#include <algorithm>
#include <cctype>

namespace launcher {

forms::WindowTable SDREVIK::Table() {
    // Label1 and Label2 are one pixel high: only a strip of each shows, along
    // the top edge of Label4.
    return {
        .name = "SDREVIK",
        .caption = "START",
        .width = 4680,
        .height = 3195,
        .screenPosition = {},
        .controls =
            {
                forms::Button("Command3", {1560, 2520, 1575, 495}, "EXIT", 6,
                              &forms::kSerif135Bold),
                forms::Button("Command2", {720, 1920, 3135, 495}, "ENGLISH", 1,
                              &forms::kSans135Bold),
                forms::Button("Command1", {720, 1200, 3135, 615}, "RUSSIAN", 0,
                              &forms::kSans135Bold),
                forms::Label("Label4", {960, 720, 3015, 255}, "             PRESS KEY", 5,
                             &forms::kSans825Bold),
                forms::Label("Label3", {960, 120, 3015, 375}, "      LANGUAGE", 4,
                             &forms::kSans135Bold),
                forms::Label("Label2", {1560, 720, 855, 15}, "Label2", 3),
                forms::Label("Label1", {1920, 720, 2415, 15}, "           LANGUAGE          ", 2,
                             &forms::kSans135Bold),
            },
    };
}

SDREVIK::SDREVIK(forms::Runtime& runtime) : Form(runtime, Table()) {}

void SDREVIK::click(std::string_view control) {
    dispatch<SDREVIK>(*this, control,
                      {{"Command1", &SDREVIK::Command1_Click},
                       {"Command2", &SDREVIK::Command2_Click},
                       {"Command3", &SDREVIK::Command3_Click}});
}

std::string BuildPath(std::string_view directory, std::string_view literal) {
    std::string name(literal);
#ifndef _WIN32
    // Programs here carry no extension and are named in lower case.
    const std::string_view extension = ".EXE";
    if (name.size() >= extension.size() &&
        std::equal(extension.begin(), extension.end(), name.end() - extension.size(),
                   [](char a, char b) {
                       return std::toupper(static_cast<unsigned char>(a)) ==
                              std::toupper(static_cast<unsigned char>(b));
                   })) {
        name.resize(name.size() - extension.size());
    }
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
#endif
    return calc::InstallationPath(directory, name);
}

void SDREVIK::startBuild(std::string_view literal) {
    platform().startProgram(BuildPath(platform().programDirectory(), literal));
}

void SDREVIK::Command1_Click() {
    startBuild("\\DREVIK.EXE");
}

void SDREVIK::Command2_Click() {
    startBuild("\\KORVEL.EXE");
}

void SDREVIK::Command3_Click() {
    forms().end();
}

void RegisterLauncherWindow(forms::Runtime& runtime) {
    runtime.setFactory(forms::FormId::SDREVIK,
                       [](forms::Runtime& r) { return std::make_unique<SDREVIK>(r); });
}

} // namespace launcher
