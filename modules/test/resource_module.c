/*
** Test resource module. Written in C, so that the build proves that the
** module interface compiles as C.
*/
#include "inkstall_module.h"

const char inktest_resource_name[] = "inktest resources";
