#pragma once

#include <QIcon>

// The reading buttons' pictures: 22 x 22, drawn on a transparent ground with a grey
// drop shadow.
QIcon PlayPicture();   // a black triangle pointing right
QIcon PausePicture();  // two upright red bars outlined in black
QIcon StopPicture();   // a black square
