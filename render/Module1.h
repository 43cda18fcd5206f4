#pragma once
// Drawing the maze: border designs and the maze picture.
#include <cstdint>
#include <memory>
#include <vector>

#include "ui/toolkit/Color.h"
#include "ui/toolkit/Graphics.h"
#include "ui/toolkit/Picture.h"

namespace Module1 {

// The off-screen maze picture of the last paint of a maze view; nullptr
// until the first paint.
inline std::shared_ptr<tk::Picture> myDrawing;
// Right and bottom pixel edge of the drawn cell area in myDrawing.
inline std::int64_t maxW = 0;
inline std::int64_t maxH = 0;
// The twelve border designs: 0 checker and 1 solid tile in a colour, 2..11
// the pictures. Empty until the first SetupMyPicts.
inline std::vector<std::shared_ptr<tk::Picture>> myPicts;
// The current design, 0..11.
inline std::int64_t myImageIndex = 0;

// Rebuilds myPicts: the two tiles in colour c, then the ten pictures.
void SetupMyPicts(tk::Color c);
// A new picture of p's size with an alpha channel holding every pixel of p
// except the pure white ones, which are transparent. nullptr for nullptr.
std::shared_ptr<tk::Picture> Transparent(const std::shared_ptr<tk::Picture>& p);
// Draws the current maze into g, the Graphics of myDrawing, and sets maxW
// and maxH.
void DrawMaze(tk::Graphics& g);
// The paint of both main windows' maze views: a new myDrawing of g's size,
// the maze drawn into it, its cell area stretched over g, and a black frame.
void PaintMazeCanvas(tk::Graphics& g);

}  // namespace Module1
