#pragma once
// What a call that must fail threw, for the tests to read its text and
// stage; a failure of the test when the call returned instead.
#include <gtest/gtest.h>

template <class Error, class Call> Error thrownBy(Call call) {
    try {
        call();
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "the call returned instead of failing";
    return Error("");
}
