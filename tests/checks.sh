# Counted checks for the shell tests. Source it, run `check DESCRIPTION
# COMMAND...` for each check, and end with `summary`, which prints the count
# and fails when any check did.
passed=0
failed=0

check() {
    local what=$1
    shift
    if "$@"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAIL: $what"
    fi
}

summary() {
    echo "$passed passed, $failed failed"
    [ "$failed" -eq 0 ]
}
