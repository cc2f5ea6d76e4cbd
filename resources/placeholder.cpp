// The library's only content is its compiled-in resources.
