var s = `a
${b}` + "c</script>"; /* x */ // y
