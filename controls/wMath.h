// Numeric routines of the instrument controls and the plot: angle
// conversion, logarithm and power, the three interpolations a plot channel
// draws smooth traces with (cubic spline, polynomial, rational) and the
// segment-against-rectangle test of annotations. No state.
//
// Tables are 1-based: a table of N points is a vector of N + 1 elements whose
// element 0 is ignored. XA must be strictly increasing for the spline; the
// interpolations raise TwException with their fixed texts when the table
// makes them divide by zero.
#pragma once

#include <vector>

#include "platform/Graphics.h"

double RadToDegrees(double x);
double DegreesToRad(double x);
// Angle of (X, Y) in radians, -pi..pi.
double MathArcTan2(double Y, double X);
double MathLog10(double x);
double MathPower(double Base, double Exponent);

// Second derivatives of the cubic spline through (XA[i], YA[i]), i = 1..N,
// with the end slopes of the end intervals; Y2A is resized to N + 1. Raises
// "Splint Error - xa's must be distinct" when N < 2 or XA is not strictly
// increasing.
void SplineSecondDerivatives(const std::vector<double>& XA, const std::vector<double>& YA, int N,
                             std::vector<double>& Y2A);
double SplineInterpolate(const std::vector<double>& XA, const std::vector<double>& YA,
                         const std::vector<double>& Y2A, int N, double X);
// Neville's scheme through all N points; DY estimates the error.
void PolynomialInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int N, double X,
                           double& Y, double& DY);
// Diagonal rational function (Bulirsch-Stoer) through all N points.
void RationalInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int N, double X,
                         double& Y, double& DY);

// Slope 1e30 for a vertical line.
void LineSlopeIntercept(platform::TPoint P1, platform::TPoint P2, double& Slope, double& Intercept);
// Whether the lines through P1-P2 and P3-P4 meet at an X inside both
// segments' X ranges (only X is tested; parallel lines never cross).
bool SegmentsCross(platform::TPoint P1, platform::TPoint P2, platform::TPoint P3, platform::TPoint P4);
// Crosses an edge of Rect, or has an end inside it (edges included).
bool LineIntersectsRect(platform::TPoint P1, platform::TPoint P2, const platform::TRect& Rect);
