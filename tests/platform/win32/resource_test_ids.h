#pragma once
// Resource ids shared by resource_test.rc and resource_test.cpp.
#define ZEF_TEST_STRING 100
#define ZEF_TEST_DIALOG 200
#define ZEF_TEST_LABEL 201
