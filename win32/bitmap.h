#pragma once

#include "forms/platform.h"

#include <windows.h>

#include <memory>
#include <string>

namespace win32ui {

// A picture read from a bitmap file, as a GDI bitmap of its own.
class Win32Picture : public forms::Picture {
public:
    Win32Picture(HBITMAP bitmap, int width, int height)
        : bitmap(bitmap), width(width), height(height) {}
    ~Win32Picture() override { DeleteObject(bitmap); }
    Win32Picture(const Win32Picture&) = delete;
    Win32Picture& operator=(const Win32Picture&) = delete;

    HBITMAP bitmap;
    int width;
    int height;
};

// Reads a Windows bitmap file whole (the path in UTF-8), with the limits and
// refusals of every build: throws calc::FileNotFound when there is no such
// file, calc::FileFailure ("Not a readable picture: <path> (<reason>)") when
// it is not a bitmap that can be read.
std::unique_ptr<Win32Picture> ReadBitmapFile(const std::string& path);

} // namespace win32ui
