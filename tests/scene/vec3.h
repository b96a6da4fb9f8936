// Points and directions of the scene's world, in double precision: the
// model works out exactly what single-precision drawing only approximates.
#ifndef TESSALINE_TESTS_SCENE_VEC3_H
#define TESSALINE_TESTS_SCENE_VEC3_H

#include <cmath>

struct Vec3 {
    double x, y, z;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(double k, Vec3 a) { return {k * a.x, k * a.y, k * a.z}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline Vec3 Unit(Vec3 a) { return (1.0 / std::sqrt(Dot(a, a))) * a; }

#endif  // TESSALINE_TESTS_SCENE_VEC3_H
