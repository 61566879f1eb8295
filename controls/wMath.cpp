#include "controls/wMath.h"

#include "controls/wException.h"

#include <algorithm>
#include <cmath>

namespace {

const char* const kSplineError = "Splint Error - xa's must be distinct";
const char* const kPolynomialError = "Polynomial Interpolation Error - Pause in Routine Data";
const char* const kRationalError = "Rational Interpolation Error - Pause in Routine Data";

// A table must hold elements 0..N.
void CheckTable(const std::vector<double>& t, int N, const char* message) {
  if (N < 1 || t.size() < std::size_t(N) + 1) throw TwException(message);
}

// Index of the XA nearest X, the first of equally near ones.
int Nearest(const std::vector<double>& XA, int N, double X) {
  int ns = 1;
  double dif = std::fabs(X - XA[1]);
  for (int i = 2; i <= N; ++i) {
    const double dift = std::fabs(X - XA[i]);
    if (dift < dif) {
      ns = i;
      dif = dift;
    }
  }
  return ns;
}

}  // namespace

double RadToDegrees(double x) { return x * 57.295779513082320877; }
double DegreesToRad(double x) { return x * 0.017453292519943295769; }
double MathArcTan2(double Y, double X) { return std::atan2(Y, X); }
double MathLog10(double x) { return std::log2(x) * 0.30102999566398119523; }
double MathPower(double Base, double Exponent) { return std::exp(Exponent * std::log(Base)); }

void SplineSecondDerivatives(const std::vector<double>& XA, const std::vector<double>& YA, int N,
                             std::vector<double>& Y2A) {
  if (N < 2) throw TwException(kSplineError);
  CheckTable(XA, N, kSplineError);
  CheckTable(YA, N, kSplineError);
  for (int i = 2; i <= N; ++i)
    if (!(XA[i] > XA[i - 1])) throw TwException(kSplineError);

  Y2A.assign(std::size_t(N) + 1, 0.0);
  std::vector<double> u(std::size_t(N) + 1, 0.0);
  const double yp1 = (YA[2] - YA[1]) / (XA[2] - XA[1]);
  const double ypn = (YA[N] - YA[N - 1]) / (XA[N] - XA[N - 1]);
  if (yp1 > 0.99e30) {
    Y2A[1] = u[1] = 0.0;
  } else {
    Y2A[1] = -0.5;
    u[1] = (3.0 / (XA[2] - XA[1])) * ((YA[2] - YA[1]) / (XA[2] - XA[1]) - yp1);
  }
  for (int i = 2; i <= N - 1; ++i) {
    const double sig = (XA[i] - XA[i - 1]) / (XA[i + 1] - XA[i - 1]);
    const double p = sig * Y2A[i - 1] + 2.0;
    Y2A[i] = (sig - 1.0) / p;
    u[i] = (YA[i + 1] - YA[i]) / (XA[i + 1] - XA[i]) - (YA[i] - YA[i - 1]) / (XA[i] - XA[i - 1]);
    u[i] = (6.0 * u[i] / (XA[i + 1] - XA[i - 1]) - sig * u[i - 1]) / p;
  }
  double qn = 0.0, un = 0.0;
  if (!(ypn > 0.99e30)) {
    qn = 0.5;
    un = (3.0 / (XA[N] - XA[N - 1])) * (ypn - (YA[N] - YA[N - 1]) / (XA[N] - XA[N - 1]));
  }
  Y2A[N] = (un - qn * u[N - 1]) / (qn * Y2A[N - 1] + 1.0);
  for (int k = N - 1; k >= 1; --k) Y2A[k] = Y2A[k] * Y2A[k + 1] + u[k];
}

double SplineInterpolate(const std::vector<double>& XA, const std::vector<double>& YA,
                         const std::vector<double>& Y2A, int N, double X) {
  CheckTable(XA, N, kSplineError);
  CheckTable(YA, N, kSplineError);
  CheckTable(Y2A, N, kSplineError);
  int klo = 1, khi = N;
  while (khi - klo > 1) {
    const int k = (khi + klo) / 2;
    if (X < XA[k])
      khi = k;
    else
      klo = k;
  }
  const double h = XA[khi] - XA[klo];
  if (h == 0.0) throw TwException(kSplineError);
  const double a = (XA[khi] - X) / h;
  const double b = (X - XA[klo]) / h;
  return a * YA[klo] + b * YA[khi] + ((a * a * a - a) * Y2A[klo] + (b * b * b - b) * Y2A[khi]) * (h * h) / 6.0;
}

void PolynomialInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int N, double X,
                           double& Y, double& DY) {
  CheckTable(XA, N, kPolynomialError);
  CheckTable(YA, N, kPolynomialError);
  std::vector<double> c(YA.begin(), YA.begin() + N + 1), d = c;
  int ns = Nearest(XA, N, X);
  Y = YA[ns];
  DY = 0.0;
  --ns;
  for (int m = 1; m <= N - 1; ++m) {
    for (int i = 1; i <= N - m; ++i) {
      const double ho = XA[i] - X;
      const double hp = XA[i + m] - X;
      const double w = c[i + 1] - d[i];
      double den = ho - hp;
      if (den == 0.0) throw TwException(kPolynomialError);
      den = w / den;
      d[i] = hp * den;
      c[i] = ho * den;
    }
    if (2 * ns < N - m) {
      DY = c[ns + 1];
    } else {
      DY = d[ns];
      --ns;
    }
    Y += DY;
  }
}

void RationalInterpolate(const std::vector<double>& XA, const std::vector<double>& YA, int N, double X,
                         double& Y, double& DY) {
  CheckTable(XA, N, kRationalError);
  CheckTable(YA, N, kRationalError);
  std::vector<double> c(std::size_t(N) + 1, 0.0), d = c;
  int ns = 1;
  double hh = std::fabs(X - XA[1]);
  for (int i = 1; i <= N; ++i) {
    const double h = std::fabs(X - XA[i]);
    if (h == 0.0) {
      Y = YA[i];
      DY = 0.0;
      return;
    }
    if (h < hh) {
      ns = i;
      hh = h;
    }
    c[i] = YA[i];
    d[i] = YA[i] + 1e-25;
  }
  Y = YA[ns];
  DY = 0.0;
  --ns;
  for (int m = 1; m <= N - 1; ++m) {
    for (int i = 1; i <= N - m; ++i) {
      const double w = c[i + 1] - d[i];
      const double h = XA[i + m] - X;
      const double t = (XA[i] - X) * d[i] / h;
      double dd = t - c[i + 1];
      if (dd == 0.0) throw TwException(kRationalError);
      dd = w / dd;
      d[i] = c[i + 1] * dd;
      c[i] = t * dd;
    }
    if (2 * ns < N - m) {
      DY = c[ns + 1];
    } else {
      DY = d[ns];
      --ns;
    }
    Y += DY;
  }
}

void LineSlopeIntercept(platform::TPoint P1, platform::TPoint P2, double& Slope, double& Intercept) {
  if (P2.X == P1.X)
    Slope = 1e30;
  else
    Slope = double(P2.Y - P1.Y) / double(P2.X - P1.X);
  Intercept = P1.Y - P1.X * Slope;
}

bool SegmentsCross(platform::TPoint P1, platform::TPoint P2, platform::TPoint P3, platform::TPoint P4) {
  double m1, b1, m2, b2;
  LineSlopeIntercept(P1, P2, m1, b1);
  LineSlopeIntercept(P3, P4, m2, b2);
  if (m1 == m2) return false;
  const double x = std::nearbyint((b2 - b1) / (m1 - m2));
  return x >= std::min(P1.X, P2.X) && x <= std::max(P1.X, P2.X) && x >= std::min(P3.X, P4.X) &&
         x <= std::max(P3.X, P4.X);
}

bool LineIntersectsRect(platform::TPoint P1, platform::TPoint P2, const platform::TRect& Rect) {
  const int L = Rect.Left, T = Rect.Top, R = Rect.Right, B = Rect.Bottom;
  if (SegmentsCross(P1, P2, {L, B}, {L, T})) return true;
  if (SegmentsCross(P1, P2, {R, T}, {L, T})) return true;
  if (SegmentsCross(P1, P2, {R, B}, {R, T})) return true;
  if (SegmentsCross(P1, P2, {L, B}, {R, B})) return true;
  auto inside = [&](platform::TPoint p) { return p.X >= L && p.X <= R && p.Y >= T && p.Y <= B; };
  return inside(P1) || inside(P2);
}
