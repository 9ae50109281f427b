// Zoom scaling and the fixed unit conversions of the drawing: logical units are 0.1 mm with y up,
// the zoom is a whole percent that every drawing and hit-test operation applies itself.
#pragma once

#include "platform/afx/Point.h"

class CDC;

// Zoomed = logical x zoom / 100, rounded half away from zero.
void ScalePointByZoom(POINT& point, int zoom);
void ScaleValueByZoom(int& value, int zoom);
void ScaleRectByZoom(RECT& rect, int zoom);

// Logical = zoomed x 100 / zoom. A zoom of 0 leaves the value as it is.
void UnscalePointByZoom(POINT& point, int zoom);
void UnscalePointByZoom(SIZE& size, int zoom);
void UnscaleValueByZoom(int& value, int zoom);
void UnscaleRectByZoom(RECT& rect, int zoom);

// 96-dpi screen pixels, 0.01 mm (HIMETRIC) and 0.01 inch.
int PixelsToTenthMm(int value);
int TenthMmToPixels(int value);
int PixelsToHimetric(int value);
double TenthMmToMm(int value);
int TenthMmToHimetric(int value);
int HimetricToTenthMm(int value);
int TenthMmToHundredthInch(int value);
CPoint TenthMmPointToHimetric(POINT point);
CPoint TenthMmPointToHundredthInch(POINT point);

// Carries a point proportionally from the source frame into the target frame, axis by axis;
// an axis whose source extent is zero is left unchanged.
void MapPointBetweenRects(POINT& point, const RECT& source, const RECT& target);

// A font height given in 96-dpi pixels, in the device units of the device context.
int FontHeightToDevice(const CDC* dc, int pixels);
// A size in 0.1 mm in the device units of the device context; fills result and returns it.
CSize& TenthMmSizeToDevice(CSize& result, const CDC* dc, SIZE size);
