#pragma once
// The program's file types: BMP and PNG.
#include <memory>
#include <vector>

#include "ui/toolkit/FileType.h"

namespace FileTypes1 {

inline std::shared_ptr<tk::FileType> pBMP;
inline std::shared_ptr<tk::FileType> pPNG;
inline std::vector<std::shared_ptr<tk::FileType>> pAllFileTypes;

std::shared_ptr<tk::FileType> BMP();
std::shared_ptr<tk::FileType> PNG();

// Builds the two types (once, at early start-up); the list ends as BMP, PNG.
void Initialize_();

}  // namespace FileTypes1
